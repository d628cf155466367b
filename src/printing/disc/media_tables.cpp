#include "printing/disc/media_tables.h"

#include "printing/config/printer_form.h"

#include <map>

QString EpsonMediaName(int id)
{
    static const std::map<int, const char*> names{
        {1, "普通紙"},           {257, "ﾌｧｲﾝ紙"},           {260, "ｽｰﾊﾟｰﾌｧｲﾝ専用紙"},
        {258, "ﾌｫﾄﾌﾟﾘﾝﾄ紙(専用光沢紙)"}, {259, "専用光沢ﾌｨﾙﾑ"},   {2, "専用OHPｼｰﾄ"},
        {261, "ﾊﾞｯｸﾗｲﾄﾌｨﾙﾑ"},    {262, "ｷｬﾝﾊﾞｽｸﾛｽ"},        {266, "ｱｲﾛﾝﾌﾟﾘﾝﾄﾍﾟｰﾊﾟｰ"},
        {267, "ﾏｯﾄ紙"},          {268, "半光沢ﾌｫﾄ紙"},       {271, "PMﾏｯﾄ紙"},
        {272, "PM写真用紙"},      {273, "MC光沢紙"},          {274, "MCﾏｯﾄ紙"},
        {275, "MC写真用紙<半光沢>"}, {276, "MC画材用紙"},      {277, "MCﾏｯﾄ合成紙"},
        {278, "MCﾏｯﾄ合成紙(のり付き)"}, {279, "MC厚手ﾏｯﾄ紙"},  {280, "光沢ﾌｨﾙﾑ"},
        {281, "MC写真用紙<光沢>"}, {282, "MCﾃﾞｻﾞｲﾝ光沢紙"},   {283, "CD-R ﾚｰﾍﾞﾙ"},
        {285, "ﾏｯﾄﾎﾞｰﾄﾞ紙"},     {286, "MCﾊﾞｯｸﾗｲﾄﾌｨﾙﾑ"},   {287, "MCﾏｯﾄ塩ﾋﾞ<のり付き>"},
        {288, "MC/PMｸﾛｽ<防炎>"}};
    const auto found = names.find(id);
    return found == names.end() ? QStringLiteral("不明な用紙種類(%1)").arg(id) : QString::fromUtf8(found->second);
}

QStringList QualityNames()
{
    return {QStringLiteral("きれい"), QStringLiteral("標準"), QStringLiteral("はやい"), QStringLiteral("カスタム")};
}

QString StandardSheetName(int width, int height)
{
    static const std::map<QString, const char*> sheets{
        {QStringLiteral("2970x4200"), "A3"}, {QStringLiteral("2100x2970"), "A4"}, {QStringLiteral("1480x2100"), "A5"},
        {QStringLiteral("1050x1480"), "A6"}, {QStringLiteral("2570x3640"), "B4"}, {QStringLiteral("1820x2570"), "B5"},
        {QStringLiteral("1280x1820"), "B6"}};
    const auto found = sheets.find(QStringLiteral("%1x%2").arg(width).arg(height));
    return found == sheets.end() ? QString() : QString::fromLatin1(found->second);
}

QString AddedFormName(int width, int height)
{
    const QString sheet = StandardSheetName(width, height);
    const QString size = SizeDescription(width, height);
    return sheet.isEmpty() ? size : QStringLiteral("%1(%2)").arg(sheet, size);
}

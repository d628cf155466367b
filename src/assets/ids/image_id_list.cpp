#include "assets/ids/image_id_list.h"

#include "core/error.h"

#include <QFileInfo>
#include <algorithm>

namespace {

// A range definition lists at most this many entries.
constexpr qint64 kMaxRangeEntries = 100000;
// Numbers are padded to at most this width.
constexpr int kMaxPadWidth = 32;

// The key prefix of a range definition.
const QString kRangePrefix = QStringLiteral("ShortStyleDefine");

int ParseInteger(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok)
        throw EAppError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return value;
}

// The decimal text of v with "0" put in front until it is at least width long (at most
// kMaxPadWidth).
QString Pad(qint64 value, int width)
{
    QString text = QString::number(value);
    while (text.size() < std::min(width, kMaxPadWidth))
        text.prepend(QLatin1Char('0'));
    return text;
}

// A format with one "%s" placeholder filled in.
QString FormatOne(const QString& format, const QString& text)
{
    QString result = format;
    const qsizetype at = result.indexOf(QLatin1String("%S"), 0, Qt::CaseInsensitive);
    if (at >= 0)
        result.replace(at, 2, text);
    return result;
}

QString UpperDirectory(const QString& filePath)
{
    QString directory = QFileInfo(QString(filePath).replace(QLatin1Char('\\'), QLatin1Char('/'))).path();
    if (!directory.endsWith(QLatin1Char('/')))
        directory += QLatin1Char('/');
    return directory.toUpper();
}

QString UpperBaseName(const QString& filePath)
{
    return QFileInfo(QString(filePath).replace(QLatin1Char('\\'), QLatin1Char('/'))).completeBaseName().toUpper();
}

} // namespace

TIDHolder::TIDHolder(const TIniText& ini, const QString& section) : folder_(section)
{
    for (const QString& key : ini.Keys(section)) {
        const QString value = ini.Value(section, key);
        if (key.startsWith(kRangePrefix, Qt::CaseInsensitive)) {
            AddRange(value);
            continue;
        }
        keys_.append(key.toUpper());
        values_.append(value.toUpper());
    }
}

void TIDHolder::AddRange(const QString& definition)
{
    const QStringList fields = definition.split(QLatin1Char(','));
    QString keyFormat = fields.value(0).toUpper();
    const int keyWidth = ParseInteger(fields.value(1));
    const int first = ParseInteger(fields.value(2));
    const int last = ParseInteger(fields.value(3));
    const QString idFormat = fields.value(4).toUpper();
    const int idWidth = ParseInteger(fields.value(5));
    const int idFirst = ParseInteger(fields.value(6));
    if (fields.size() > 8)
        keyFormat = QStringLiteral("%1,%2,%3").arg(keyFormat, fields.value(7), fields.value(8));
    if (qint64(last) - first >= kMaxRangeEntries)
        throw EAppError(QStringLiteral("識別子の範囲が大きすぎます: %1").arg(definition));
    for (qint64 n = first; n <= last; ++n) {
        keys_.append(FormatOne(keyFormat, Pad(n, keyWidth)));
        values_.append(FormatOne(idFormat, Pad(idFirst + (n - first), idWidth)));
    }
}

bool TIDHolder::MatchesFile(const QString& filePath) const
{
    QString folder = QString(folder_).replace(QLatin1Char('\\'), QLatin1Char('/')).toUpper();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    const QString directory = UpperDirectory(filePath);
    const qsizetype at = directory.indexOf(folder);
    return at >= 0 && at + folder.size() == directory.size();
}

QString TIDHolder::ValueOf(const QString& key) const
{
    const qsizetype index = keys_.indexOf(key);
    return index >= 0 ? values_.value(index) : QString();
}

TImageIDList::TImageIDList(const QString& path) : TImageIDList(TIniText::Load(path))
{
}

TImageIDList::TImageIDList(TIniText ini) : ini_(std::move(ini)), sections_(ini_.SectionNames())
{
}

std::unique_ptr<TImageIDList> TImageIDList::FromBytes(const QByteArray& bytes)
{
    return std::unique_ptr<TImageIDList>(new TImageIDList(TIniText::Parse(bytes)));
}

TImageIDList::~TImageIDList() = default;

const TIDHolder* TImageIDList::Holder(int index)
{
    if (index < 0 || index >= sections_.size())
        return nullptr;
    while (int(holders_.size()) <= index)
        holders_.push_back(std::make_unique<TIDHolder>(ini_, sections_[int(holders_.size())]));
    return holders_[index].get();
}

const TIDHolder* TImageIDList::HolderOfFile(const QString& filePath)
{
    for (int i = 0; i < Count(); ++i)
        if (const TIDHolder* holder = Holder(i); holder->MatchesFile(filePath))
            return holder;
    return nullptr;
}

std::pair<const TIDHolder*, int> TImageIDList::FindId(const QString& id)
{
    const QString upper = id.toUpper();
    for (int i = 0; i < Count(); ++i) {
        const TIDHolder* holder = Holder(i);
        if (const qsizetype index = holder->Values().indexOf(upper); index >= 0)
            return {holder, int(index)};
    }
    return {nullptr, -1};
}

QString TImageIDList::IdOfTemplate(const TTemplateLabelRef& label)
{
    const TIDHolder* holder = HolderOfFile(label.File);
    if (!holder)
        return {};
    return holder->ValueOf(QStringLiteral("%1,%2,%3").arg(UpperBaseName(label.File)).arg(label.Sheet).arg(label.Label));
}

QString TImageIDList::IdOfFile(const QString& filePath)
{
    const TIDHolder* holder = HolderOfFile(filePath);
    return holder ? holder->ValueOf(UpperBaseName(filePath)) : QString();
}

bool TImageIDList::TemplateOfId(const QString& id, TTemplateLabelRef& label)
{
    const auto [holder, index] = FindId(id);
    if (!holder)
        return false;
    const QStringList fields = holder->Keys()[index].split(QLatin1Char(','));
    label.File = JoinAssetPath(holder->Folder(), fields.value(0));
    label.Sheet = fields.value(1).trimmed().toInt();
    label.Label = fields.value(2).trimmed().toInt();
    return true;
}

QString TImageIDList::AssetPathOfId(const QString& id)
{
    const auto [holder, index] = FindId(id);
    return holder ? JoinAssetPath(holder->Folder(), holder->Keys()[index]) : QString();
}

QString JoinAssetPath(const QString& folder, const QString& name)
{
    QString path = QString(folder).replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!path.isEmpty() && !path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path + name;
}

QString IdNotFoundMessage(const QString& id)
{
    return QStringLiteral("「%1」は見つかりませんでした").arg(id);
}

QString TemplateDoesNotFitMessage(const QString& id)
{
    return QStringLiteral("「%1」のテンプレートは現在のラベルに適合しません").arg(id);
}

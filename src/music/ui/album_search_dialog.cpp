#include "music/ui/album_search_dialog.h"

#include "core/frame/history_list.h"
#include "core/messages.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

bool rememberedExact = false;

THistoryList History()
{
    return THistoryList(QStringLiteral("$(FindAlbumHistory)"));
}

} // namespace

TfrmAlbumSearch::TfrmAlbumSearch(TAlbumEditor& editor, QWidget* parent)
    : QDialog(parent),
      editor_(editor),
      keyword_(new QComboBox(this)),
      fuzzy_(new QRadioButton(QStringLiteral("あいまい検索(&F)"), this)),
      exact_(new QRadioButton(QStringLiteral("厳密に検索(&R)"), this)),
      progress_(new QProgressBar(this)),
      search_(new QPushButton(QStringLiteral("検索"), this))
{
    setWindowTitle(QStringLiteral("キーワードの検索"));
    keyword_->setEditable(true);
    keyword_->addItems(History().Items());
    keyword_->setCurrentText(QString());
    auto* close = new QPushButton(QStringLiteral("閉じる"), this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("キーワード"), this));
    layout->addWidget(keyword_);
    layout->addWidget(fuzzy_);
    layout->addWidget(exact_);
    layout->addWidget(progress_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(search_);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    (rememberedExact ? exact_ : fuzzy_)->setChecked(true);
    search_->setEnabled(false);
    search_->setDefault(true);
    connect(keyword_, &QComboBox::currentTextChanged, this, [this](const QString& text) { search_->setEnabled(!text.isEmpty()); });
    connect(exact_, &QRadioButton::toggled, this, [](bool checked) { rememberedExact = checked; });
    connect(search_, &QPushButton::clicked, this, &TfrmAlbumSearch::Search);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmAlbumSearch::SetExact(bool exact)
{
    (exact ? exact_ : fuzzy_)->setChecked(true);
}

void TfrmAlbumSearch::Search()
{
    const QString keyword = keyword_->currentText();
    if (keyword.isEmpty())
        return;
    History().Add(keyword);
    progress_->setRange(0, std::max(0, editor_.Count() - 1));
    match_ = editor_.Find(keyword, exact_->isChecked() ? TSearchMode::Exact : TSearchMode::Fuzzy,
                          [this](int index) { progress_->setValue(index); });
    if (!match_) {
        ShowInformation(FormatText(QStringLiteral("%sは見つかりませんでした"), {keyword}));
        return;
    }
    accept();
}

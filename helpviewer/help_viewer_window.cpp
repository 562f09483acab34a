#include "helpviewer/help_viewer_window.h"

#include <QHBoxLayout>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>

#include "helpviewer/contents_tree.h"
#include "helpviewer/help_browser.h"
#include "helpviewer/help_text.h"
#include "helpviewer/help_url.h"

namespace tt::help {

namespace {

QToolButton* navigationButton(const QString& text, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setEnabled(false);
    return button;
}

}  // namespace

HelpViewerWindow::HelpViewerWindow(QWidget* parent)
    : QWidget(parent, Qt::Window),
      contents_(new ContentsTree(this)),
      browser_(new HelpBrowser(this)) {
    auto* back = navigationButton(QStringLiteral("Atr\u00E1s"), this);
    auto* forward = navigationButton(QStringLiteral("Adelante"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addStretch();

    auto* splitter = new QSplitter(this);
    splitter->addWidget(contents_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({220, 560});

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(splitter, 1);

    connect(back, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QWidget::setEnabled);
    connect(contents_, &ContentsTree::topicChosen, browser_, &HelpBrowser::openLink);
    connect(browser_, &QTextBrowser::sourceChanged, this, [this](const QUrl& page) {
        contents_->markPage(page);
        updateTitle();
    });
    resize(800, 560);
    updateTitle();
}

void HelpViewerWindow::showArchive(std::shared_ptr<const HelpArchive> archive) {
    archive_ = std::move(archive);
    browser_->setArchive(archive_);
    contents_->showContentsOf(*archive_);
    updateTitle();
}

void HelpViewerWindow::showTopic(const std::optional<TopicLocation>& topic) {
    if (!archive_) return;
    std::optional<TopicLocation> shown = topic ? topic : archive_->defaultTopic();
    const QUrl page = shown ? topicUrl(*shown) : contents_->firstTopic();
    if (page.isValid()) browser_->setSource(page);
}

void HelpViewerWindow::updateTitle() {
    const QString helpTitle =
        archive_ ? decodeText(archive_->title(), PageEncoding::windows1252) : QString();
    const QString pageTitle = browser_->documentTitle();
    QStringList parts;
    if (!pageTitle.isEmpty()) parts << pageTitle;
    if (!helpTitle.isEmpty()) parts << helpTitle;
    setWindowTitle(parts.isEmpty() ? QStringLiteral("Ayuda") : parts.join(QStringLiteral(" - ")));
}

}  // namespace tt::help

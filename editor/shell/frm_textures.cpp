#include "editor/shell/frm_textures.h"

#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/shell/logic/command_guard.h"
#include "editor/shell/logic/file_dialogs.h"
#include "editor/shell/logic/texture_browser.h"
#include "editor/shell/texture_images.h"

namespace qzedit {

namespace {

constexpr const char* kHeaderFilter = "Engine header (*.hdr)|*.hdr|All files (*.*)|*.*";
constexpr int kNumberRole = Qt::UserRole;

// The file's name without its folder and extension, whichever separator the header used.
QString shortName(const std::string& fileName)
{
    QString name = QString::fromStdString(fileName);
    name = name.mid(std::max(name.lastIndexOf('/'), name.lastIndexOf('\\')) + 1);
    const qsizetype dot = name.lastIndexOf('.');
    return dot > 0 ? name.left(dot) : name;
}

}  // namespace

frmTextures::frmTextures(TextureBrowser& browser, FileDialogs& dialogs, QWidget* parent)
    : QDockWidget("Textures", parent),
      browser_(browser),
      dialogs_(dialogs),
      lblHeader_(new QLabel),
      cmdPickHeader_(new QPushButton("Header...")),
      cboTextureField_(new QComboBox),
      lstTextures_(new QListWidget)
{
    setObjectName("frmTextures");
    lblHeader_->setObjectName("lblHeader");
    cmdPickHeader_->setObjectName("cmdPickHeader");
    cboTextureField_->setObjectName("cboTextureField");
    lstTextures_->setObjectName("lstTextures");
        for (TextureField field : kTextureFields) cboTextureField_->addItem(textureFieldName(field));
    lstTextures_->setViewMode(QListView::IconMode);
    lstTextures_->setIconSize(QSize(kIconSide, kIconSide));
    lstTextures_->setGridSize(QSize(kIconSide + 24, kIconSide + 28));
    lstTextures_->setResizeMode(QListView::Adjust);
    lstTextures_->setMovement(QListView::Static);
    lstTextures_->setUniformItemSizes(true);

    lstTextures_->setFlow(QListView::LeftToRight);
    lstTextures_->setWrapping(true);
    auto* choices = new QHBoxLayout;
    choices->addWidget(new QLabel("Sets:"));
    choices->addWidget(cboTextureField_);
    choices->addSpacing(16);
    choices->addWidget(lblHeader_, 1);
    choices->addWidget(cmdPickHeader_);
    auto* body = new QWidget;
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(4, 2, 4, 4);
    layout->addLayout(choices);
    layout->addWidget(lstTextures_, 1);
    setWidget(body);

    connect(cmdPickHeader_, &QPushButton::clicked, this, [this] { runGuarded([this] { pickHeader(); }); });
    connect(cboTextureField_, &QComboBox::activated, this, [this](int index) {
        runGuarded([&] { browser_.setField(kTextureFields[index]); });
    });
    connect(lstTextures_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        runGuarded([&] { browser_.choose(item->data(kNumberRole).toInt()); });
    });
    browser_.onChanged = [this] { refresh(); };
    refresh();
}

void frmTextures::pickHeader()
{
    if (std::optional<std::string> chosen = dialogs_.showOpen({kHeaderFilter, "", FileDialogs::kHideReadOnly});
        chosen && !chosen->empty())
        browser_.useHeader(*chosen);
}

void frmTextures::refresh()
{
    const TextureCatalogue& catalogue = browser_.catalogue();
    const QString path = QString::fromStdString(catalogue.headerPath());
    QString text = "Header: " + (path.isEmpty() ? QString("none") : QFileInfo(path).fileName());
    if (!catalogue.problem().empty()) text += ". " + QString::fromStdString(catalogue.problem());
    lblHeader_->setText(text);
    lblHeader_->setToolTip(path);
    cboTextureField_->setCurrentIndex(static_cast<int>(browser_.field()));

    lstTextures_->clear();
    for (const TextureEntry& entry : browser_.shownEntries()) {
        const QImage image = textureImage(entry.picture, catalogue.colours())
                                 .scaled(kIconSide, kIconSide, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        QString label = QString::number(entry.number) + " " + shortName(entry.fileName);
        if (entry.missing) label += " (missing)";
        auto* item = new QListWidgetItem(QIcon(QPixmap::fromImage(image)), label, lstTextures_);
        item->setData(kNumberRole, entry.number);
        item->setToolTip(QString::fromStdString(entry.fileName));
    }
    showSelected();
}

void frmTextures::showSelected()
{
    // Entry k of the list is texture number k + 1.
    const std::optional<int32_t> number = browser_.selectedNumber();
    const int row = number && *number >= 1 && *number <= lstTextures_->count() ? *number - 1 : -1;
    QSignalBlocker quiet(lstTextures_);
    lstTextures_->setCurrentRow(row);
    if (row < 0) lstTextures_->clearSelection();
}

}  // namespace qzedit

#include "mainwin/frmFilePath.h"

#include "mainwin/FolderListModel.h"
#include "mainwin/Twips.h"
#include "platform/PlatformError.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Services.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QStyle>
#include <QStyledItemDelegate>

namespace {

// Indents each folder by its depth, as a folder list shows its parents.
class DepthDelegate final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        QStyleOptionViewItem shifted = option;
        shifted.rect.setLeft(option.rect.left() +
                             index.data(FolderListModel::DepthRole).toInt() * kIndent);
        QStyledItemDelegate::paint(painter, shifted, index);
    }
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.rwidth() += index.data(FolderListModel::DepthRole).toInt() * kIndent;
        return size;
    }

private:
    static constexpr int kIndent = 10;
};

} // namespace

frmFilePath::frmFilePath(Services &services, QWidget *parent)
    : QDialog(parent), m_services(services), m_folders(new FolderListModel(this))
{
    setObjectName(QStringLiteral("frmFilePath"));
    setWindowTitle(QStringLiteral("Path"));
    m_folders->setIcons(style()->standardIcon(QStyle::SP_DirOpenIcon),
                        style()->standardIcon(QStyle::SP_DirClosedIcon));

    Label1 = new QLabel(QStringLiteral("Look in:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    twips::place(Label1, 120, 120, 1215, 255);

    drvDownloadSaved = new QComboBox(this);
    drvDownloadSaved->setObjectName(QStringLiteral("drvDownloadSaved"));
    drvDownloadSaved->addItem(style()->standardIcon(QStyle::SP_DriveHDIcon), QDir::rootPath());
    twips::place(drvDownloadSaved, 120, 360, 2415, 315);
    connect(drvDownloadSaved, &QComboBox::activated, this,
            [this](int) { drvDownloadSaved_Change(); });

    dirDownloadSaved = new QListView(this);
    dirDownloadSaved->setObjectName(QStringLiteral("dirDownloadSaved"));
    dirDownloadSaved->setModel(m_folders);
    dirDownloadSaved->setItemDelegate(new DepthDelegate(dirDownloadSaved));
    dirDownloadSaved->setUniformItemSizes(true);
    twips::place(dirDownloadSaved, 120, 720, 2415, 2565);
    connect(dirDownloadSaved, &QListView::doubleClicked, this,
            [this](const QModelIndex &index) { dirDownloadSaved_DblClick(index.row()); });

    const char *captions[] = {"OK", "Cancel"};
    const int tops[] = {360, 840};
    for (int i = 0; i < 2; ++i) {
        cmdCtrl[i] = new QPushButton(QString::fromLatin1(captions[i]), this);
        cmdCtrl[i]->setObjectName(QStringLiteral("cmdCtrl_") + QString::number(i));
        twips::place(cmdCtrl[i], 2640, tops[i], 1095, 375);
        connect(cmdCtrl[i], &QPushButton::clicked, this, [this, i] { cmdCtrl_Click(i); });
    }
    cmdCtrl[0]->setDefault(true);
    cmdCtrl[0]->setAutoDefault(true);

    setFixedSize(twips::toPixels(3855, logicalDpiX()), twips::toPixels(3405, logicalDpiX()));
    openInList(QDir::rootPath());
}

frmFilePath::~frmFilePath() = default;

bool frmFilePath::openInList(const QString &path)
{
    if (!m_folders->setFolder(path)) {
        const QFileInfo info(path);
        const PlatformError error = info.exists()
                                        ? platformerror::make(platformerror::PathFileAccess)
                                        : platformerror::make(platformerror::PathNotFound);
        m_services.messages.show(
            QStringLiteral("Could not open the folder '%1':").arg(QDir::toNativeSeparators(path)) +
            error.text());
        return false;
    }
    dirDownloadSaved->setCurrentIndex(m_folders->index(m_folders->folderRow()));
    return true;
}

void frmFilePath::setPath(const QString &path)
{
    m_path = path;
    openInList(path);
}

QString frmFilePath::openFolder() const
{
    return m_folders->folder();
}

void frmFilePath::cmdCtrl_Click(int index)
{
    if (index == 0) {
        m_path = openFolder();
        m_isOK = true;
        accept();
    } else {
        m_isOK = false;
        reject();
    }
}

void frmFilePath::dirDownloadSaved_DblClick(int row)
{
    const QModelIndex index = m_folders->index(row);
    if (index.isValid())
        openInList(index.data(FolderListModel::PathRole).toString());
}

void frmFilePath::drvDownloadSaved_Change()
{
    // the one root is its own current folder
    openInList(drvDownloadSaved->currentText());
}

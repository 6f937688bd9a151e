#include "vog/VogClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace vog::clipboard {

QString mimeType()
{
    return QStringLiteral("application/x-qt-windows-mime;value=\"") +
           QLatin1String(kClipboardFormat) + QLatin1Char('"');
}

bool copy(DotModel &model)
{
    QClipboard *board = QGuiApplication::clipboard();
    if (!board)
        return false;
    const std::optional<std::vector<std::uint8_t>> bytes = model.CopyBytes();
    if (!bytes)
        return false;
    auto *data = new QMimeData;
    data->setData(mimeType(), QByteArray(reinterpret_cast<const char *>(bytes->data()),
                                         static_cast<qsizetype>(bytes->size())));
    board->setMimeData(data);
    return true;
}

bool paste(DotModel &model)
{
    const QClipboard *board = QGuiApplication::clipboard();
    const QMimeData *data = board ? board->mimeData() : nullptr;
    if (!data || !data->hasFormat(mimeType()))
        return false;
    const QByteArray bytes = data->data(mimeType());
    return model.PasteBytes(
        std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                                      static_cast<std::size_t>(bytes.size())));
}

} // namespace vog::clipboard

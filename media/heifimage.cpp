#include "media/heifimage.h"
#include "archive/text.h"

#include "media/mediaexamine.h"

#include <QDir>
#include <QFile>
#include <QtEndian>

#include <libheif/heif.h>

#include <memory>

namespace {

struct ContextFree
{
    void operator()(heif_context *context) const { heif_context_free(context); }
};
struct HandleFree
{
    void operator()(heif_image_handle *handle) const { heif_image_handle_release(handle); }
};
struct ImageFree
{
    void operator()(heif_image *image) const { heif_image_release(image); }
};
using Context = std::unique_ptr<heif_context, ContextFree>;
using Handle = std::unique_ptr<heif_image_handle, HandleFree>;
using Image = std::unique_ptr<heif_image, ImageFree>;

bool looksLikeHeif(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(64);
    return head.size() >= 12 &&
           heif_check_filetype(reinterpret_cast<const uint8_t *>(head.constData()),
                               int(head.size())) == heif_filetype_yes_supported;
}

// The primary image of path, or null with the library's message in cause.
Handle openPrimary(const QString &path, Context *context, QString *cause)
{
    static const bool initialised = heif_init(nullptr).code == heif_error_Ok;
    Q_UNUSED(initialised)
    context->reset(heif_context_alloc());
    if (!*context) {
        *cause = MediaText::tr("out of memory");
        return {};
    }
    heif_error status =
        heif_context_read_from_file(context->get(), QFile::encodeName(path).constData(), nullptr);
    heif_image_handle *handle = nullptr;
    if (status.code == heif_error_Ok)
        status = heif_context_get_primary_image_handle(context->get(), &handle);
    if (status.code != heif_error_Ok) {
        *cause = QString::fromUtf8(status.message);
        return {};
    }
    return Handle(handle);
}

} // namespace

HeifHeader readHeifHeader(const QString &path)
{
    HeifHeader header;
    if (!looksLikeHeif(path))
        return header;
    Context context;
    QString cause;
    const Handle handle = openPrimary(path, &context, &cause);
    if (!handle)
        return header;
    header.size = QSize(heif_image_handle_get_width(handle.get()),
                        heif_image_handle_get_height(handle.get()));
    header.alpha = heif_image_handle_has_alpha_channel(handle.get());
    header.ok = header.size.isValid();
    return header;
}

bool readHeifImage(const QString &path, int maxSide, qint64 maxPixels, QImage *image,
                   QString *error)
{
    const QString name = quoted(path);
    const auto fail = [&](const QString &cause) {
        *error = MediaText::tr("%1 could not be converted: %2.").arg(name, cause);
        return false;
    };
    Context context;
    QString cause;
    const Handle handle = openPrimary(path, &context, &cause);
    if (!handle)
        return fail(cause);
    const int width = heif_image_handle_get_width(handle.get());
    const int height = heif_image_handle_get_height(handle.get());
    if (width <= 0 || height <= 0 || width > maxSide || height > maxSide ||
        qint64(width) * height > maxPixels) {
        *error = MediaText::tr("%1 could not be converted: it is %2×%3 pixels, too large to decode "
                               "safely. Scale it down to the screen's size.")
                     .arg(name)
                     .arg(width)
                     .arg(height);
        return false;
    }
    const bool alpha = heif_image_handle_has_alpha_channel(handle.get());
    // The library turns and mirrors the picture as the file says: the copy stands upright.
    heif_image *decoded = nullptr;
    const heif_error status = heif_decode_image(
        handle.get(), &decoded, heif_colorspace_RGB,
        alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB, nullptr);
    const Image owned(decoded);
    if (status.code != heif_error_Ok)
        return fail(QString::fromUtf8(status.message));
    int stride = 0;
    const uint8_t *pixels =
        heif_image_get_plane_readonly(decoded, heif_channel_interleaved, &stride);
    const int shownWidth = heif_image_get_width(decoded, heif_channel_interleaved);
    const int shownHeight = heif_image_get_height(decoded, heif_channel_interleaved);
    if (!pixels || shownWidth <= 0 || shownHeight <= 0)
        return fail(MediaText::tr("it holds no picture"));
    // A copy: the library's buffer goes with its image.
    *image = QImage(pixels, shownWidth, shownHeight, stride,
                    alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888)
                 .copy();
    if (image->isNull())
        return fail(MediaText::tr("out of memory"));
    return true;
}

QByteArray readHeifExif(const QString &path)
{
    if (!looksLikeHeif(path))
        return {};
    Context context;
    QString cause;
    const Handle handle = openPrimary(path, &context, &cause);
    heif_item_id id = 0;
    if (!handle ||
        heif_image_handle_get_list_of_metadata_block_IDs(handle.get(), "Exif", &id, 1) < 1)
        return {};
    const size_t size = heif_image_handle_get_metadata_size(handle.get(), id);
    if (size < 4 || size > 16 * 1024 * 1024)
        return {};
    QByteArray block(int(size), Qt::Uninitialized);
    if (heif_image_handle_get_metadata(handle.get(), id, block.data()).code != heif_error_Ok)
        return {};
    // The block starts with the offset of the TIFF header behind these four bytes.
    const quint32 offset = qFromBigEndian<quint32>(block.constData());
    return offset <= size - 4 ? block.mid(4 + int(offset)) : QByteArray();
}

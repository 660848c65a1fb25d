#include "media/framescaler.h"

extern "C" {
#include <libavutil/pixdesc.h>
#include <libswscale/swscale.h>
}

FrameScaler::~FrameScaler()
{
    sws_freeContext(m_context);
}

bool FrameScaler::knows(const QByteArray &layout)
{
    return av_get_pix_fmt(layout.constData()) != AV_PIX_FMT_NONE;
}

QImage FrameScaler::scaled(const FramePlanes &frame, const QSize &out)
{
    const AVPixelFormat format = av_get_pix_fmt(frame.layout.constData());
    if (format == AV_PIX_FMT_NONE || frame.size.isEmpty() || out.isEmpty())
        return {};
    m_context = sws_getCachedContext(m_context, frame.size.width(), frame.size.height(), format,
                                     out.width(), out.height(), AV_PIX_FMT_RGB32, SWS_BILINEAR,
                                     nullptr, nullptr, nullptr);
    if (!m_context)
        return {};
    // The colours as the clip says they were recorded (HD is mostly BT.709),
    // not the scaler's default.
    const int space = frame.colors == FramePlanes::Colors::Bt709    ? SWS_CS_ITU709
                      : frame.colors == FramePlanes::Colors::Bt2020 ? SWS_CS_BT2020
                                                                    : SWS_CS_DEFAULT;
    sws_setColorspaceDetails(m_context, sws_getCoefficients(space), frame.fullRange ? 1 : 0,
                             sws_getCoefficients(SWS_CS_DEFAULT), 1, 0, 1 << 16, 1 << 16);
    QImage image(out, QImage::Format_RGB32);
    uint8_t *target[4] = {image.bits()};
    const int targetStrides[4] = {int(image.bytesPerLine())};
    sws_scale(m_context, frame.data, frame.strides, 0, frame.size.height(), target, targetStrides);
    return image;
}

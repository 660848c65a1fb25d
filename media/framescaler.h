#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

struct SwsContext;

// One decoded video frame as its planes lie in memory.
struct FramePlanes
{
    // FFmpeg's name of the pixel layout: "yuv420p", "nv12", "bgra" …
    QByteArray layout;
    QSize size;
    const uchar *data[4] = {};
    int strides[4] = {};
    enum class Colors { Default, Bt709, Bt2020 };
    Colors colors = Colors::Default;
    bool fullRange = false;
};

// Turns frames into pictures of the size shown, in the colours they were
// recorded in. Its context is kept from frame to frame: one scaler per stream,
// used by one thread at a time.
class FrameScaler
{
public:
    FrameScaler() = default;
    ~FrameScaler();
    FrameScaler(const FrameScaler &) = delete;
    FrameScaler &operator=(const FrameScaler &) = delete;

    // Whether frames of this layout can be scaled here.
    static bool knows(const QByteArray &layout);
    // A null image when the layout is unknown or the scaler cannot be made.
    QImage scaled(const FramePlanes &frame, const QSize &out);

private:
    SwsContext *m_context = nullptr;
};

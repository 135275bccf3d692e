// A Windows metafile (*.wmf) as a paint device: a picture painted on it with a
// QPainter is written as a placeable metafile when the painter ends, for a
// file and for the clipboard. It holds what the program's charts draw:
// rectangles, lines and polylines, filled polygons and paths, and text as
// text records; pixmaps and clipping are left out.
//
// Coordinates are the device's pixels, stored as 16-bit numbers; the
// resolution says how many of them make an inch.
#pragma once

#include <QByteArray>
#include <QPaintDevice>
#include <QSize>
#include <QString>

#include <memory>

class QIODevice;
class QMimeData;

namespace vesk {

class WmfPaintEngine;

class WmfGenerator : public QPaintDevice {
public:
    WmfGenerator();
    ~WmfGenerator() override;

    // The picture's size in pixels, 1 to 32767 each way; set before painting.
    QSize size() const { return size_; }
    void setSize(QSize px) { size_ = px; }

    // Pixels to the inch (96 unless set).
    int resolution() const { return dpi_; }
    void setResolution(int dpi) { dpi_ = dpi; }

    // Where the metafile goes when the painter ends: a device (opened for
    // writing if it is not open), or a file saved whole or not at all. The
    // last one set counts; with neither the bytes are only kept.
    void setOutputDevice(QIODevice* device);
    void setFileName(const QString& name);

    // The metafile of the last painting, complete once the painter has ended.
    QByteArray bytes() const { return bytes_; }

    QPaintEngine* paintEngine() const override;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    friend class WmfPaintEngine;
    // Hands the finished metafile over; false when it could not be written.
    bool finish(QByteArray wmf);

    std::unique_ptr<WmfPaintEngine> engine_;
    QSize size_;
    int dpi_ = 96;
    QIODevice* device_ = nullptr;
    QString fileName_;
    QByteArray bytes_;
};

// Mime type under which the clipboard carries a metafile.
inline constexpr char kWmfMimeType[] = "image/x-wmf";

// Puts a metafile's bytes on `mime`.
void PutMetafile(QMimeData& mime, const QByteArray& wmf);

}  // namespace vesk

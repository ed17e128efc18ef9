#pragma once

// Animated GIF fixtures made in the tests with giflib's encoder, and a few byte patches that make
// files the encoder refuses to write.

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <QColor>
#include <vector>

namespace gifwriter {

struct Frame
{
    int Left = 0, Top = 0, Width = 0, Height = 0;
    std::vector<quint8> Pixels; // Width x Height colour indexes, top row first
    std::vector<QRgb> LocalMap; // empty: the frame uses the global map
    int Transparent = -1;       // >= 0: a graphics control extension names this index transparent
    bool Interlace = false;
};

struct Gif
{
    int Width = 0, Height = 0;
    std::vector<QRgb> GlobalMap; // empty: no global colour map
    std::vector<Frame> Frames;
};

// A frame of one colour index.
Frame SolidFrame(int left, int top, int width, int height, quint8 index);

// Writes the GIF with giflib; colour maps are padded to a power of two with black. Fails the current
// test and returns false when giflib refuses.
bool WriteGif(const QString& path, const Gif& gif);

// Offset of the n-th image descriptor (the 0x2C byte) of a GIF file's bytes, -1 if there is none.
qsizetype ImageDescriptorOffset(const QByteArray& gif, int n = 0);

// Little-endian 16-bit value at an offset.
void Put16(QByteArray& bytes, qsizetype offset, int value);

// Halves a global colour map of 2^k (k >= 2) entries in the file without touching the image data, so
// that the frames use indexes beyond the map.
void HalveGlobalMap(QByteArray& gif);

// Removes the global colour map from the file, leaving frames that relied on it without one.
void DropGlobalMap(QByteArray& gif);

} // namespace gifwriter

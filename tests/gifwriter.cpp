#include "gifwriter.h"

#include <QFile>
#include <gif_lib.h>
#include <gtest/gtest.h>

namespace gifwriter {

namespace {

ColorMapObject* MakeMap(const std::vector<QRgb>& colours)
{
    if (colours.empty())
        return nullptr;
    int size = 2;
    while (size < int(colours.size()))
        size *= 2;
    std::vector<GifColorType> entries(size_t(size), GifColorType{0, 0, 0});
    for (size_t i = 0; i < colours.size(); ++i)
        entries[i] = GifColorType{GifByteType(qRed(colours[i])), GifByteType(qGreen(colours[i])),
                                  GifByteType(qBlue(colours[i]))};
    return GifMakeMapObject(size, entries.data());
}

bool Fail(GifFileType* gif, const char* step)
{
    ADD_FAILURE() << "giflib refused " << step << ": " << GifErrorString(gif->Error);
    int error = 0;
    EGifCloseFile(gif, &error);
    return false;
}

} // namespace

Frame SolidFrame(int left, int top, int width, int height, quint8 index)
{
    Frame f;
    f.Left = left;
    f.Top = top;
    f.Width = width;
    f.Height = height;
    f.Pixels.assign(size_t(width) * size_t(height), index);
    return f;
}

bool WriteGif(const QString& path, const Gif& gif)
{
    int error = 0;
    GifFileType* out = EGifOpenFileName(QFile::encodeName(path).constData(), false, &error);
    if (!out) {
        ADD_FAILURE() << "giflib cannot create " << path.toStdString() << ": " << GifErrorString(error);
        return false;
    }
    EGifSetGifVersion(out, true);
    ColorMapObject* global = MakeMap(gif.GlobalMap);
    const int screenOk = EGifPutScreenDesc(out, gif.Width, gif.Height, 8, 0, global);
    GifFreeMapObject(global);
    if (screenOk == GIF_ERROR)
        return Fail(out, "the screen descriptor");

    for (const Frame& f : gif.Frames) {
        if (f.Transparent >= 0) {
            GraphicsControlBlock gcb{};
            gcb.DisposalMode = DISPOSAL_UNSPECIFIED;
            gcb.UserInputFlag = false;
            gcb.DelayTime = 10;
            gcb.TransparentColor = f.Transparent;
            GifByteType ext[4];
            const size_t len = EGifGCBToExtension(&gcb, ext);
            if (EGifPutExtension(out, GRAPHICS_EXT_FUNC_CODE, int(len), ext) == GIF_ERROR)
                return Fail(out, "the graphics control extension");
        }
        ColorMapObject* local = MakeMap(f.LocalMap);
        // giflib 5.2 forgets the previous frame's local map when the next frame has none.
        if (!local && out->Image.ColorMap) {
            GifFreeMapObject(out->Image.ColorMap);
            out->Image.ColorMap = nullptr;
        }
        const int descOk = EGifPutImageDesc(out, f.Left, f.Top, f.Width, f.Height, f.Interlace, local);
        GifFreeMapObject(local);
        if (descOk == GIF_ERROR)
            return Fail(out, "the image descriptor");
        std::vector<int> rows;
        if (f.Interlace) {
            const int start[4] = {0, 4, 2, 1}, step[4] = {8, 8, 4, 2};
            for (int pass = 0; pass < 4; ++pass)
                for (int y = start[pass]; y < f.Height; y += step[pass])
                    rows.push_back(y);
        } else {
            for (int y = 0; y < f.Height; ++y)
                rows.push_back(y);
        }
        for (int y : rows) {
            std::vector<GifPixelType> line(f.Pixels.begin() + qsizetype(y) * f.Width,
                                           f.Pixels.begin() + qsizetype(y + 1) * f.Width);
            if (EGifPutLine(out, line.data(), f.Width) == GIF_ERROR)
                return Fail(out, "a line");
        }
    }
    if (EGifCloseFile(out, &error) == GIF_ERROR) {
        ADD_FAILURE() << "giflib cannot finish " << path.toStdString() << ": " << GifErrorString(error);
        return false;
    }
    return true;
}

qsizetype ImageDescriptorOffset(const QByteArray& gif, int n)
{
    auto at = [&](qsizetype i) { return i < gif.size() ? quint8(gif[i]) : 0; };
    if (gif.size() < 13)
        return -1;
    qsizetype i = 13;
    if (at(10) & 0x80)
        i += 3 * (qsizetype(2) << (at(10) & 7));
    while (i < gif.size()) {
        const quint8 b = at(i);
        if (b == 0x2C) {
            if (n-- == 0)
                return i;
            const quint8 packed = at(i + 9);
            i += 10;
            if (packed & 0x80)
                i += 3 * (qsizetype(2) << (packed & 7));
            ++i; // LZW minimum code size
        } else if (b == 0x21) {
            i += 2;
        } else {
            return -1;
        }
        while (i < gif.size() && at(i) != 0) // sub-blocks
            i += at(i) + 1;
        ++i;
    }
    return -1;
}

void Put16(QByteArray& bytes, qsizetype offset, int value)
{
    bytes[offset] = char(value & 0xFF);
    bytes[offset + 1] = char((value >> 8) & 0xFF);
}

void HalveGlobalMap(QByteArray& gif)
{
    const int k = gif[10] & 7; // map of 2^(k+1) entries
    ASSERT_TRUE((gif[10] & 0x80) && k >= 1);
    const qsizetype half = 3 * (qsizetype(1) << k);
    gif[10] = char((gif[10] & ~7) | (k - 1));
    gif.remove(13 + half, half);
}

void DropGlobalMap(QByteArray& gif)
{
    ASSERT_TRUE(gif[10] & 0x80);
    const qsizetype size = 3 * (qsizetype(2) << (gif[10] & 7));
    gif[10] = char(gif[10] & 0x7F);
    gif.remove(13, size);
}

} // namespace gifwriter

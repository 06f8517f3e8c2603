#include "breeding/picture_completeness.h"

#include <cstdint>
#include <cstring>
#include <cstdlib>

namespace kestrova {
namespace {

class Bytes {
public:
    explicit Bytes(const QByteArray& bytes) : data_(bytes) {}
    int64_t Size() const { return data_.size(); }
    bool Has(int64_t at, int64_t count = 1) const { return at >= 0 && count >= 0 && at + count <= Size(); }
    unsigned At(int64_t at) const { return static_cast<uint8_t>(data_[static_cast<qsizetype>(at)]); }
    unsigned BigEndian16(int64_t at) const { return At(at) << 8 | At(at + 1); }
    uint32_t LittleEndian16(int64_t at) const { return At(at) | At(at + 1) << 8; }
    uint32_t LittleEndian32(int64_t at) const { return LittleEndian16(at) | LittleEndian16(at + 2) << 16; }
    // The next 0xFF at or after `at`, or Size().
    int64_t NextFF(int64_t at) const
    {
        const void* found = std::memchr(data_.constData() + at, 0xFF, static_cast<std::size_t>(Size() - at));
        return found ? static_cast<const char*>(found) - data_.constData() : Size();
    }

private:
    const QByteArray& data_;
};

constexpr unsigned kJpegStartOfScan = 0xDA, kJpegEndOfImage = 0xD9;

bool IsJpegRestartOrStuffing(unsigned marker) { return marker == 0x00 || (marker >= 0xD0 && marker <= 0xD7); }

// Entropy-coded data holds no marker except stuffed zeros and restarts; returns where the next marker begins.
int64_t SkipScanData(const Bytes& b, int64_t at)
{
    for (at = b.NextFF(at); b.Has(at, 2); at = b.NextFF(at)) {
        const unsigned next = b.At(at + 1);
        if (next == 0xFF) ++at;
        else if (IsJpegRestartOrStuffing(next)) at += 2;
        else return at;
    }
    return b.Size();
}

// Complete when the segments lead, through at least one scan, to the end-of-image marker.
bool JpegIsComplete(const Bytes& b)
{
    bool scanned = false;
    int64_t at = 2;  // after the start-of-image marker
    while (b.Has(at, 2)) {
        if (b.At(at) != 0xFF) return false;
        const unsigned marker = b.At(at + 1);
        if (marker == 0xFF) { ++at; continue; }
        if (marker == kJpegEndOfImage) return scanned;
        if (IsJpegRestartOrStuffing(marker) || marker == 0x01) { at += 2; continue; }
        if (!b.Has(at + 2, 2)) return false;
        at += 2 + b.BigEndian16(at + 2);
        if (!b.Has(at, 0)) return false;
        if (marker == kJpegStartOfScan) {
            at = SkipScanData(b, at);
            scanned = true;
        }
    }
    return false;
}

// Skips a chain of GIF sub-blocks; returns the position after its terminator, or -1.
int64_t SkipGifSubBlocks(const Bytes& b, int64_t at)
{
    while (b.Has(at)) {
        const unsigned length = b.At(at);
        at += 1 + length;
        if (length == 0) return at;
    }
    return -1;
}

int64_t GifColourTableBytes(unsigned flags) { return (flags & 0x80) ? 3 * (int64_t{2} << (flags & 0x07)) : 0; }

// Only the first image is decoded, so it is complete when that image's data is.
bool GifFirstImageIsComplete(const Bytes& b)
{
    constexpr int64_t kScreenDescriptorEnd = 13, kImageDescriptorLength = 10;
    if (!b.Has(0, kScreenDescriptorEnd)) return false;
    int64_t at = kScreenDescriptorEnd + GifColourTableBytes(b.At(10));
    while (b.Has(at)) {
        const unsigned introducer = b.At(at);
        if (introducer == 0x21) {
            at = SkipGifSubBlocks(b, at + 2);
        } else if (introducer == 0x2C) {
            if (!b.Has(at, kImageDescriptorLength)) return false;
            at += kImageDescriptorLength + GifColourTableBytes(b.At(at + 9)) + 1;  // + LZW minimum code size
            return SkipGifSubBlocks(b, at) >= 0;
        } else {
            return false;
        }
        if (at < 0) return false;
    }
    return false;
}

// Uncompressed pixel rows must all lie in the file; compressed and old-style bitmaps are left to the decoder.
bool BmpPixelsAreComplete(const Bytes& b)
{
    constexpr int64_t kInfoHeaderEnd = 54;
    constexpr uint32_t kUncompressed = 0, kBitFields = 3, kAlphaBitFields = 6;
    if (!b.Has(0, kInfoHeaderEnd) || b.LittleEndian32(14) < 40) return true;
    const uint32_t compression = b.LittleEndian32(30);
    if (compression != kUncompressed && compression != kBitFields && compression != kAlphaBitFields) return true;
    const int64_t width = static_cast<int32_t>(b.LittleEndian32(18));
    const int64_t height = std::llabs(static_cast<int32_t>(b.LittleEndian32(22)));
    const int64_t bitsPerPixel = b.LittleEndian16(28);
    if (width <= 0) return true;
    const int64_t rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
    const int64_t pixelBytes = b.Size() - b.LittleEndian32(10);
    // Divided, not multiplied: a header's rows times its height can pass 64 bits.
    return pixelBytes >= 0 && (rowBytes == 0 || height <= pixelBytes / rowBytes);
}

}  // namespace

bool IsTruncated(const QByteArray& bytes, const QByteArray& format)
{
    const Bytes b(bytes);
    if (format == "jpeg") return !JpegIsComplete(b);
    if (format == "gif") return !GifFirstImageIsComplete(b);
    if (format == "bmp") return !BmpPixelsAreComplete(b);
    return false;
}

}  // namespace kestrova

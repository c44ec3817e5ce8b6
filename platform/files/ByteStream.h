#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace platform {

// Reads little-endian values from bytes in memory. A read past the end fails, leaves the value alone
// and sets Failed(), so a truncated file is noticed once at the end of a load.
class ByteReader {
public:
    explicit ByteReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}
    bool ReadByte(uint8_t& v);
    bool ReadInt32(int32_t& v);
    bool ReadUInt32(uint32_t& v);
    bool ReadFloat(float& v);
    bool ReadDouble(double& v);
    bool ReadBytes(size_t n, std::vector<uint8_t>& out);
    // A line up to "\n" (a trailing "\r" removed); false at the end or once a read has failed.
    bool ReadLine(std::string& line);
    bool AtEnd() const { return pos_ >= bytes_.size(); }
    bool Failed() const { return failed_; }
    size_t Position() const { return pos_; }
    size_t Size() const { return bytes_.size(); }

private:
    // Whether n more bytes are there; when not, the reader fails for good.
    bool Has(size_t n);
    bool Take(void* dst, size_t n);
    std::span<const uint8_t> bytes_;
    size_t pos_ = 0;
    bool failed_ = false;
};

class ByteWriter {
public:
    void WriteByte(uint8_t v);
    void WriteInt32(int32_t v);
    void WriteUInt32(uint32_t v);
    void WriteFloat(float v);
    void WriteDouble(double v);
    void WriteBytes(std::span<const uint8_t> bytes);
    void WriteText(const std::string& text);
    void WriteLine(const std::string& line);  // the text and "\n"
    const std::vector<uint8_t>& Bytes() const { return bytes_; }

private:
    void Put(const void* v, size_t n);
    std::vector<uint8_t> bytes_;
};

}  // namespace platform

#pragma once
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace qz {

// Little-endian packed fields, as the binary files store them.
class ByteWriter {
public:
    void i32(int32_t v) { put(&v, 4); }
    void i16(int16_t v) { put(&v, 2); }
    void f64(double v) { put(&v, 8); }
    void raw(const void* data, size_t size) { put(data, size); }
    void zeros(size_t size) { bytes_.insert(bytes_.end(), size, 0); }
    void patchI32(size_t offset, int32_t v) { std::memcpy(bytes_.data() + offset, &v, 4); }
    size_t size() const { return bytes_.size(); }
    const std::vector<uint8_t>& bytes() const { return bytes_; }

private:
    void put(const void* data, size_t size)
    {
        const auto* p = static_cast<const uint8_t*>(data);
        bytes_.insert(bytes_.end(), p, p + size);
    }
    std::vector<uint8_t> bytes_;
};

// Reads fields from a byte range; a read past the end sets failed() and yields zeros, so a caller
// checks once after a group of reads.
class ByteReader {
public:
    ByteReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    explicit ByteReader(const std::vector<uint8_t>& bytes) : ByteReader(bytes.data(), bytes.size()) {}

    bool seek(int64_t offset)
    {
        if (offset < 0 || offset > static_cast<int64_t>(size_)) return fail();
        pos_ = static_cast<size_t>(offset);
        return true;
    }
    bool canRead(int64_t count) const { return count >= 0 && static_cast<uint64_t>(count) <= size_ - pos_; }
    int32_t i32() { return get<int32_t>(); }
    int16_t i16() { return get<int16_t>(); }
    double f64() { return get<double>(); }
    void raw(void* out, size_t count)
    {
        if (!canRead(static_cast<int64_t>(count))) {
            std::memset(out, 0, count);
            fail();
            return;
        }
        std::memcpy(out, data_ + pos_, count);
        pos_ += count;
    }
    size_t position() const { return pos_; }
    size_t size() const { return size_; }
    bool failed() const { return failed_; }

private:
    template <typename T>
    T get()
    {
        T v {};
        raw(&v, sizeof v);
        return v;
    }
    bool fail()
    {
        failed_ = true;
        return false;
    }
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
    bool failed_ = false;
};

}  // namespace qz

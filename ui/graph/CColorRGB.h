#pragma once

#include <cstdint>
#include <iosfwd>

// A red-green-blue byte triple that can be written to and read from a byte stream.
// The bytes are kept blue, green, red (the order of a Windows colour in memory); the
// stream form is red, green, blue with no header or version.
class CColorRGB
{
public:
    CColorRGB() = default;
    CColorRGB(std::uint8_t red, std::uint8_t green, std::uint8_t blue);
    CColorRGB(const CColorRGB&) = default;
    CColorRGB& operator=(const CColorRGB&) = default;
    bool operator==(const CColorRGB&) const = default;

    // Storing writes exactly three bytes; loading reads them back in the same order.
    // 0 on success, 1 when the stream failed. A failed load leaves the colour as it was.
    int Serialize(std::ostream& out) const;
    int Serialize(std::istream& in);

    std::uint8_t m_blue = 0;
    std::uint8_t m_green = 0;
    std::uint8_t m_red = 0;
};

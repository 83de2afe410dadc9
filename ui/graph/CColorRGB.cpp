#include "ui/graph/CColorRGB.h"

#include <istream>
#include <ostream>

CColorRGB::CColorRGB(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
    : m_blue(blue), m_green(green), m_red(red)
{
}

int CColorRGB::Serialize(std::ostream& out) const
{
    const char bytes[3] = {static_cast<char>(m_red), static_cast<char>(m_green),
                           static_cast<char>(m_blue)};
    out.write(bytes, sizeof bytes);
    return out ? 0 : 1;
}

int CColorRGB::Serialize(std::istream& in)
{
    char bytes[3] = {};
    if (!in.read(bytes, sizeof bytes))
        return 1;
    m_red = static_cast<std::uint8_t>(bytes[0]);
    m_green = static_cast<std::uint8_t>(bytes[1]);
    m_blue = static_cast<std::uint8_t>(bytes[2]);
    return 0;
}

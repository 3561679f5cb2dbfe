// Geometry, colours, fonts and text alignment as the windows describe them, in any toolkit.
#pragma once

#include <cstdint>
#include <string>

namespace gapwise {

// A rectangle in pixels, in the coordinates of the control's parent.
struct TRect {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;

  friend bool operator==(const TRect&, const TRect&) = default;
};

// A colour given by red, green and blue, one of the system's colours, or none (transparent).
struct TColor {
  enum TKind : std::uint8_t { kNone, kRgb, kWindowText, kButtonFace };
  TKind Kind = kNone;
  std::uint8_t R = 0;
  std::uint8_t G = 0;
  std::uint8_t B = 0;

  static constexpr TColor Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return TColor{kRgb, r, g, b};
  }
  friend bool operator==(const TColor&, const TColor&) = default;
};

inline constexpr TColor clNone{};
inline constexpr TColor clBlack = TColor::Rgb(0, 0, 0);
inline constexpr TColor clWhite = TColor::Rgb(255, 255, 255);
inline constexpr TColor clRed = TColor::Rgb(255, 0, 0);
inline constexpr TColor clMoneyGreen = TColor::Rgb(192, 220, 192);
inline constexpr TColor clSkyBlue = TColor::Rgb(166, 202, 240);
inline constexpr TColor clWindowText{TColor::kWindowText};
inline constexpr TColor clBtnFace{TColor::kButtonFace};

enum TFontStyle : unsigned { fsRegular = 0, fsBold = 1, fsItalic = 2 };

// A face at a character height in pixels; a backend without the face uses one with its metrics.
struct TFont {
  std::string Name = "Times New Roman";
  int Height = 16;
  unsigned Style = fsRegular;
  TColor Color = clWindowText;

  friend bool operator==(const TFont&, const TFont&) = default;
};

// Times New Roman at `height` pixels.
inline TFont FontOf(int height, unsigned style = fsRegular, TColor color = clWindowText) {
  return TFont{"Times New Roman", height, style, color};
}

enum TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };

}  // namespace gapwise

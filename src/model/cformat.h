#pragma once

// Formatting of a DRO's sample value with the user's printf-style format, as the panel shows it.
//
// The format comes from the user and from project files, so it is checked before any of it reaches
// the C library. A valid format is literal text (any bytes of the one-byte code page except '%' and
// the zero byte), "%%" for a percent sign, and exactly one floating conversion:
//
//   '%' [flags: any of "-+ #0"] [width: 1 or 2 digits] ['.' [precision: 0 to 2 digits]] f|F|e|E|g|G
//
// Everything else fails: other conversions ("%d", "%s", "%n", ...), '*', length modifiers ("%lf",
// "%Lf", "%hf"), a width or precision of three digits or more, a second conversion, a lone or
// trailing '%', no conversion at all. Numbers always use '.' as decimal separator, whatever the
// process or thread locale.

#include <QByteArray>
#include <QByteArrayView>
#include <optional>

// The longest format a DRO may have: the project file keeps 10 bytes of it (the panel's element
// record would hold 15), so a longer one would be cut at the next save.
inline constexpr qsizetype MaxDroFormatLength = 10;

// The text shown when a DRO's format fails.
inline constexpr char DroFallbackText[] = "0.0";

// Formats value (promoted to double, as printf does) with format; std::nullopt if the format is not
// valid. Literal bytes are copied as they are. The result is at most 140 bytes longer than the format
// (width and precision are capped at 99, a float has at most 39 integer digits).
std::optional<QByteArray> CFormat(QByteArrayView format, float value);

// True if format is valid for CFormat and is kept whole by the project file (at most 10 bytes).
bool IsValidDroFormat(QByteArrayView format);

// What a DRO shows: CFormat's text, or "0.0" when the format fails.
QByteArray DroText(QByteArrayView format, float value);

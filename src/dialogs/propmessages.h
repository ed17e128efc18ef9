#pragma once

// The texts the property dialogs word themselves, in the active interface language (Russian while
// it is Russian, English otherwise), and the conversion errors they raise.

#include <QString>

namespace propmsg {
// A DRO whose value could not be shown in full, or whose format the DRO cannot print.
QString BadFormat(const QString& format);
// Text typed as a number that is not one ("." is the only decimal separator).
QString NotAFloat(const QString& text);
// Characters typed that the panel's code page cannot hold.
QString NotInCodePage(const QString& characters);
// A file chosen for an image element that holds no BMP or JPEG picture.
QString NoPicture(const QString& fileName);
} // namespace propmsg

#include "olepalette.h"

#include "olecolor.h"

#include <array>

namespace {

struct SystemRole {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// Indexed by system colour number. Where the desktop has no such colour (the desktop background,
// caption bars, borders) the closest role in look is taken.
constexpr std::array<SystemRole, OleColor::kLastSystemIndex + 1> kSystemRoles = { {
    { QPalette::Active, QPalette::Window }, // 0 scroll bar
    { QPalette::Active, QPalette::Dark }, // 1 desktop
    { QPalette::Active, QPalette::Highlight }, // 2 active caption
    { QPalette::Inactive, QPalette::Mid }, // 3 inactive caption
    { QPalette::Active, QPalette::Window }, // 4 menu
    { QPalette::Active, QPalette::Base }, // 5 window
    { QPalette::Active, QPalette::Shadow }, // 6 window frame
    { QPalette::Active, QPalette::WindowText }, // 7 menu text
    { QPalette::Active, QPalette::Text }, // 8 window text
    { QPalette::Active, QPalette::HighlightedText }, // 9 caption text
    { QPalette::Active, QPalette::Window }, // 10 active border
    { QPalette::Inactive, QPalette::Window }, // 11 inactive border
    { QPalette::Active, QPalette::Mid }, // 12 application workspace
    { QPalette::Active, QPalette::Highlight }, // 13 highlight
    { QPalette::Active, QPalette::HighlightedText }, // 14 highlight text
    { QPalette::Active, QPalette::Button }, // 15 button face
    { QPalette::Active, QPalette::Dark }, // 16 button shadow
    { QPalette::Disabled, QPalette::Text }, // 17 grey text
    { QPalette::Active, QPalette::ButtonText }, // 18 button text
    { QPalette::Inactive, QPalette::HighlightedText }, // 19 inactive caption text
    { QPalette::Active, QPalette::Light }, // 20 button highlight
    { QPalette::Active, QPalette::Shadow }, // 21 3D dark shadow
    { QPalette::Active, QPalette::Midlight }, // 22 3D light
    { QPalette::Active, QPalette::ToolTipText }, // 23 tooltip text
    { QPalette::Active, QPalette::ToolTipBase }, // 24 tooltip background
} };

} // namespace

QColor resolveOleColor(qint32 oleColor, const QPalette &palette)
{
    if (OleColor::isRgb(oleColor))
        return QColor(OleColor::red(oleColor), OleColor::green(oleColor), OleColor::blue(oleColor));
    if (OleColor::isSystem(oleColor) && OleColor::systemIndex(oleColor) <= OleColor::kLastSystemIndex) {
        const SystemRole &r = kSystemRoles[static_cast<size_t>(OleColor::systemIndex(oleColor))];
        return palette.color(r.group, r.role);
    }
    return {};
}

#include "resources/ToolBar.h"

#include "view/CommandIds.h"

namespace {

using TKind = TToolBarItem::TKind;

constexpr TToolBarItem Items[] = {
    {TKind::Button, CM_FILENEW},
    {TKind::Button, CM_FILEOPEN},
    {TKind::Button, CM_FILESAVE},
    {TKind::Button, CM_FILEPRINT},
    {TKind::Separator, 0, 6},
    {TKind::Button, CM_EDITCUT},
    {TKind::Button, CM_EDITCOPY},
    {TKind::Button, CM_EDITPASTE},
    {TKind::Separator, 0, 6},
    {TKind::Button, CM_EDITUNDO},
    {TKind::Separator, 0, 6},
    {TKind::Button, CM_EDITFIND},
    {TKind::Button, CM_EDITREPLACE},
    {TKind::Separator, 0, 12},
    {TKind::Toggle, CM_WORDWRAP},
    {TKind::Separator, 0, 12},
    {TKind::Toggle, CM_DOSTEXT},
    {TKind::Separator, 0, 12},
    {TKind::Button, CM_HELPCONTENTS},
    // Takes the width that is left, so the emblem sits at the right edge.
    {TKind::Spacer},
    {TKind::Emblem, IDB_TOOLBAR_LOGO},
};

}  // namespace

std::span<const TToolBarItem> ToolBarItems() { return Items; }

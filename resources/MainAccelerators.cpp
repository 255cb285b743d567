#include "resources/MainAccelerators.h"

#include "view/CommandIds.h"
#include "framework/Types.h"
#include "resources/ResourceIds.h"

namespace {

TAccelerator Ctrl(unsigned key, unsigned id) { return {key, true, false, false, id}; }
TAccelerator Alt(unsigned key, unsigned id) { return {key, false, true, false, id}; }
TAccelerator Plain(unsigned key, unsigned id) { return {key, false, false, false, id}; }

}  // namespace

TAcceleratorTable MainAccelerators()
{
    return {IDA_MAIN, {
        Ctrl('X', CM_EDITCUT),
        Ctrl('C', CM_EDITCOPY),
        Ctrl('V', CM_EDITPASTE),
        Ctrl(VK_DELETE, CM_EDITCLEAR),
        Alt(VK_BACK, CM_EDITUNDO),
        Plain(VK_F3, CM_EDITFINDNEXT),
        Ctrl('N', CM_FILENEW),
        Ctrl('O', CM_FILEOPEN),
        Ctrl('S', CM_FILESAVE),
        Ctrl('P', CM_FILEPRINT),
        Ctrl('W', CM_WORDWRAP),
        Ctrl('R', CM_EDITREDO),
    }};
}

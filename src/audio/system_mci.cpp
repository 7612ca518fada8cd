#include "audio/system_mci.h"

#include <mmsystem.h>

MciResult SystemMci::Send(const char* command) {
    char reply[1024] = {};
    const MCIERROR error = mciSendStringA(command, reply, sizeof(reply), callback_);
    return {error, reply};
}

#include "audio/system_mci.h"

#include <mmsystem.h>

#include "app/system_library.h"

MciResult SystemMci::Send(const char* command) {
    char reply[1024] = {};
    static const auto sendString =
        SystemFunction<decltype(mciSendStringA)>("winmm.dll", "mciSendStringA");
    const MCIERROR error = sendString ? sendString(command, reply, sizeof(reply), callback_)
                                      : MCIERR_CANNOT_LOAD_DRIVER;
    return {error, reply};
}

#include "platform/ui/ChooseFile.h"

#include "platform/PlatformError.h"
#include "platform/ui/Services.h"

namespace choosefile {

std::optional<QString> ask(Services &services, Mode mode, FileDialogs::Request request)
{
    for (;;) {
        const FileDialogs::Result answer =
            mode == Mode::Save ? services.dialogs.save(request) : services.dialogs.open(request);
        switch (answer.error) {
        case platformerror::None:
            return answer.fileName;
        case platformerror::DialogCancelled:
            return std::nullopt;
        case platformerror::InvalidFileName:
            request.initialName.clear();
            continue;
        default:
            services.messages.show(platformerror::make(answer.error).text());
            return std::nullopt;
        }
    }
}

} // namespace choosefile

#include "convert/dialogs/dialog_hooks.h"

#include "convert/core/captions.h"
#include "convert/main/main_menu.h"
#include "platform/gui/dialogs.h"
#include "platform/gui/text.h"

namespace convert {
namespace {

// The dialogs come with later versions; until then the user is told so.
void NotYetAvailable(MainMenu& main)
{
    const MessageText message = NotYetAvailableMessage(main.CurrentLanguage);
    platform::CurrentDialogs().MessageBox(&main, platform::FromAnsi(message.title), platform::FromAnsi(message.text),
                                          platform::MessageIcon::Information, platform::MessageButtons::Ok);
}

} // namespace

void OpenUnitDatabaseEditor(MainMenu& main) { NotYetAvailable(main); }
void OpenCustomFileDialog(MainMenu& main) { NotYetAvailable(main); }
void OpenTemperatureConverter(MainMenu& main) { NotYetAvailable(main); }
void OpenPasswordDefinition(MainMenu& main) { NotYetAvailable(main); }

// Until the password dialogs exist there is nothing to ask.
void CheckIfPassword(MainMenu& main) { main.AccessGranted = true; }

} // namespace convert

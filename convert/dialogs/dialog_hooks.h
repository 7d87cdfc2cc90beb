#pragma once
// Entry points of the converter's dialogs. Each opens its dialog modally and returns
// when it has closed; the main window then re-activates itself.

namespace convert {

class MainMenu;

void OpenUnitDatabaseEditor(MainMenu& main);
void OpenCustomFileDialog(MainMenu& main);
void OpenTemperatureConverter(MainMenu& main);
void OpenPasswordDefinition(MainMenu& main);

// The access check in front of the database functions; sets main.AccessGranted.
void CheckIfPassword(MainMenu& main);

} // namespace convert

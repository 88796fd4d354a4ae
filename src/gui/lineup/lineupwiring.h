#pragma once

class LibraryFlow;
class LineupFlow;

// Hooks the lineup into the library's parts of the window: the lineup's actions in a row's
// menu, "Manage Lineup..." in the Library menu, and the check of lineup ids on import.
void attachLineup(LineupFlow& lineup, LibraryFlow& library);

#pragma once

// Registers the selection windows with the main window's commands.
void registraFinestreSelezione();

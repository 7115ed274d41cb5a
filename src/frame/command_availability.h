// Which commands are greyed because the part that carries them out is not in the
// program: the services' commands while the services are missing, and forwarded ids
// that the document does not carry out.
#pragma once

// True when the command cannot be carried out, so that its menu item and button are greyed.
bool IsCommandUnavailable(unsigned id);

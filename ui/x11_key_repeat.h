#pragma once

namespace arvan {

// On X11, asks the server to repeat a held key with presses alone. By
// default it puts a release before every repeated press, and Qt marks only
// some of those as auto-repeat: a held key would seem to go up again and
// again. Elsewhere it does nothing.
void repeatHeldKeysWithPressesOnly();

}  // namespace arvan

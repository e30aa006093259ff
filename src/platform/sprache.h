// The toolkit's own words in German.
#pragma once

namespace platform {

// Loads the toolkit's German texts (file dialogs, a text box's menu, key
// names) into the running application; false when they are not installed.
bool deutscheOberflaeche();

} // namespace platform

#pragma once

// The file browser is shared with the find windows and lives with the shared widgets.
#include "widgets/filebrowser.h"

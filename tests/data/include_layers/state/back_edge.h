// A planted back edge: the state layer reaching up into the commands.
#include "app/scene_commands.h"

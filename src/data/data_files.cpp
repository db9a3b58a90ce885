#include "data/data_files.h"

namespace ventorel {

void loadDataFiles(RunState&, MessageBox&) {}
void saveSettings(const RunState&, MessageBox&) {}

}  // namespace ventorel

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Commands.h"

namespace ui {

Commands::Commands(engine::Module1& m, Form1& form1, Form2& form2, engine::RunLoop& runLoop,
                   platform::Program& program)
    : m_(m), form1_(form1), form2_(form2), runLoop_(runLoop), program_(program) {}

}  // namespace ui

#include "rules/hooks.h"

namespace {
FlowHooks installed;
}  // namespace

void setFlowHooks(const FlowHooks& hooks) {
    installed = hooks;
}

const FlowHooks& flowHooks() {
    return installed;
}

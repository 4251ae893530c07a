#include "project/solder_mask_reset.h"

namespace pravelo {

void resetSolderMask(ObjectList& objects) {
  for (const auto& o : objects) {
    o->solderMask = isPadKind(o->kind) && isCopperLayer(o->layer) ? 1 : 0;
  }
}

}  // namespace pravelo

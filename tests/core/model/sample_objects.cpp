#include "sample_objects.h"

LR_DEFINE_CLASS(TSampleRect, TLORectBase, LR_CREATABLE(TSampleRect))
LR_DEFINE_CLASS(TSampleBlendable, TSampleRect, LR_CREATABLE(TSampleBlendable))

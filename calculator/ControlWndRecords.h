#pragma once

#include "framework/PropertyRecord.h"

// The stored property records of the calculator window and of its sixteen controls,
// each applied whole with SetProperties when the window is built.
namespace ControlWndRecords {

const PropertyRecord& Window();

const PropertyRecord& kFld();
const PropertyRecord& RxxText();
const PropertyRecord& clearBtn();
const PropertyRecord& helpBtn();
const PropertyRecord& calcBtn();
const PropertyRecord& RxxText1();
const PropertyRecord& nFld();
const PropertyRecord& RxxText2();
const PropertyRecord& detFld();
const PropertyRecord& hLabel();
const PropertyRecord& hFld();
const PropertyRecord& dfLabel();
const PropertyRecord& dfFld();
const PropertyRecord& pLabel();
const PropertyRecord& pFld();
const PropertyRecord& Canvas1();

}  // namespace ControlWndRecords

// The shared births as forms, and the whole reading the driver computes from a
// form: for the file formats' tests, the windows, the companion and the
// benchmarks, which all reach both the form and the reading layers.
#pragma once

#include "BirthForms.h"

#include "form/Form.h"
#include "reading/Reading.h"

namespace varelio::samples {

// The form must pass the input window's checks.
inline Reading ReadingOf(const FormValues& form) {
    Reading reading;
    if (!ComputeReadingFromForm(form, true, reading)) reading.birthData.name = "(refused form)";
    return reading;
}

}  // namespace varelio::samples

#pragma once
// A form built on the scripted host and recording graphics, started as at program start.

#include "app/zinda_form.h"
#include "support/fake_host.h"
#include "support/recording_graphics.h"

#include <gtest/gtest.h>

namespace murva::test {

struct FormTest : ::testing::Test {
    FakeHost host;
    RecordingGraphics graphics;
    TZindaForm form{host, graphics};

    void SetUp() override {
        // The window shows the state whenever it catches up with a change.
        host.OnInvalidate = [this] { form.ShowState(); };
        form.FormCreate({});
    }
    // The form as the window presents it: what it shows of the state, brought up to date.
    TZindaForm& Shown() {
        form.ShowState();
        return form;
    }
};

} // namespace murva::test

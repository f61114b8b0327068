// The font warm-up's thread ends whether or not the application object was announced, so that an
// early way out of main never hangs.
#include "FontWarmUp.h"

#include <gtest/gtest.h>

TEST(FontWarmUp, endsWithOrWithoutTheApplicationAnnounced) {
    { const FontWarmUp unannounced; }
    FontWarmUp announced;
    announced.applicationCreated();
    announced.wait();
    announced.wait();
}

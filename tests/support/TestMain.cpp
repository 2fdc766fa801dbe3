// The tests' main: texts read as the programs show them, with kestrel's translations installed
// for the language the tests run in (English's plural forms among them).
#include "base/Translations.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    kestrel::installTranslations();
    return RUN_ALL_TESTS();
}

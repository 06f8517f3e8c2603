// Compiled with a core library's include path by a test that expects this to fail.
#include <QtWidgets/QWidget>

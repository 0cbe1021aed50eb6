#include "runtime/start.h"
#include "window/form1.h"

int main(int argc, char *argv[])
{
    return runtime::Start<Form1>(argc, argv, {QStringLiteral("Quenvale")});
}

#include "shell/Unit1.h"
#include "toolkit/TApplication.h"

int main(int argc, char* argv[])
{
    kazuyomi::TApplication application(argc, argv);
    return application.Execute([&application] {
        application.Initialize();
        application.CreateForm<kazuyomi::TForm1>();
    });
}

#include "app/WendApp.h"

int main(int argc, char** argv)
{
    TWendApp app(argc, argv);
    return app.Run();
}

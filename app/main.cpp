#include "app/WendApp.h"
#include "resources/VersionSection.h"

int main(int argc, char** argv)
{
    TWendApp app(argc, argv);
    return app.Run();
}

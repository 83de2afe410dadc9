#include "cli/RenderCommand.h"

int main(int argc, char** argv)
{
    return RenderMain(argc, argv);
}

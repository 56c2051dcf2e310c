#include "app/program.h"

int main(int argc, char** argv) { return sm::RunStallminder(argc, argv); }

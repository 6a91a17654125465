// A loadable module without the server entry point.
extern "C" int automation_blank_module()
{
    return 0;
}

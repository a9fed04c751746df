/* Loaded only through its full path by the hardening tests; its name must not be found. */
__declspec(dllexport) int hardeningProbe(void)
{
    return 1;
}

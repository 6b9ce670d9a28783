// Linked into the programs of the portable Linux folder (ROSTERMAKER_PORTABLE, scripts/linux-portable.sh),
// which ask for no C library symbol newer than glibc 2.34. glibc 2.35 gave hypot and hypotf new symbol
// versions (the old ones compute the same and differ only in the old way of reporting errors), which
// Qt's static libraries would ask for; linked with --wrap=hypot and --wrap=hypotf, every call goes to
// the versions that every glibc has.

extern "C" {
double OldestHypot(double x, double y);
float OldestHypotf(float x, float y);
__asm__(".symver OldestHypot, hypot@GLIBC_2.2.5");
__asm__(".symver OldestHypotf, hypotf@GLIBC_2.2.5");

double __wrap_hypot(double x, double y)
{
    return OldestHypot(x, y);
}

float __wrap_hypotf(float x, float y)
{
    return OldestHypotf(x, y);
}
}

// Placeholder translation unit for a library whose folder holds no sources yet.
static_assert(true, "placeholder for a library folder without sources yet");

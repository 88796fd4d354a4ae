// Carries the precompiled Qt headers every test reuses; compiles to nothing.

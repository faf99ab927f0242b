# Read by CTest after the end-to-end tests are listed: no display, no sound
# card needed, a shorter time limit than the other tests', and the machine to
# themselves (they run on the real clock).
set_tests_properties(
  RealProgram.ShowsLoadingThenReachesTheTitleWithItsTextInPlace
  RealProgram.FirstFrameOfTheJunkyardHasItsSkyAndStripInPlace
  RealProgram.FirstFrameOfTheBillboardHasItsStripAndLightPoolInPlace
  PROPERTIES ENVIRONMENT "SDL_VIDEODRIVER=offscreen;SDL_AUDIODRIVER=dummy" TIMEOUT 240 RUN_SERIAL TRUE)
# The damaged-data runs start the program itself, which keeps to its own
# clock: no need for the machine to themselves.
set_tests_properties(RealProgram.ADamagedPictureOrEmptyMusicStopsTheProgramNamingTheFile
  PROPERTIES ENVIRONMENT "SDL_VIDEODRIVER=offscreen;SDL_AUDIODRIVER=dummy" TIMEOUT 300)

# Read by CTest after the end-to-end tests are listed: no display, no sound
# card needed, and a shorter time limit than the other tests'.
set_tests_properties(
  RealProgram.ShowsLoadingThenReachesTheTitleWithItsTextInPlace
  RealProgram.FirstFrameOfTheJunkyardHasItsSkyAndStripInPlace
  RealProgram.FirstFrameOfTheBillboardHasItsStripAndLightPoolInPlace
  PROPERTIES ENVIRONMENT "SDL_VIDEODRIVER=offscreen;SDL_AUDIODRIVER=dummy" TIMEOUT 240)

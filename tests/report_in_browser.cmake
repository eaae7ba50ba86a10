# Converts a copy of the sample with a scene report, lets headless Chromium
# build the page and checks that its DOM holds the map and the tables.
# Run with -DCLI=<meshmill-cli> -DCHROMIUM=<browser> -DEXAMPLES=<examples> -DWORK=<folder>.
file(REMOVE_RECURSE ${WORK})
file(COPY ${EXAMPLES}/ DESTINATION ${WORK}/scene)
execute_process(
  COMMAND ${CLI} convert ${WORK}/scene/sample_track.ase --yes --report ${WORK}/report.html
  RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "meshmill-cli convert --report failed (${status})")
endif()
execute_process(
  COMMAND ${CHROMIUM} --headless --no-sandbox --disable-gpu --disable-background-networking
          --disable-component-update --disable-sync --no-first-run --disable-quic
          --user-data-dir=${WORK}/profile --dump-dom file://${WORK}/report.html
  RESULT_VARIABLE status OUTPUT_VARIABLE dom ERROR_QUIET TIMEOUT 90)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "chromium --dump-dom failed (${status})")
endif()
foreach(part IN ITEMS "id=\"map-top\"" "id=\"map-front\"" "id=\"map-side\""
                      "data-object=\"Road\" data-status=\"written\""
                      "data-object=\"Lamp_post\" data-status=\"skipped\""
                      "id=\"objects-table\"" "id=\"materials-table\"" "roadside_barrier_long"
                      "class=\"messages\"")
  string(FIND "${dom}" "${part}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "The page's DOM lacks ${part}")
  endif()
endforeach()
message(STATUS "The map and the tables are in the DOM")

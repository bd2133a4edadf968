# The exported camera read back by the tools users finish their shots in.
#   cmake -DSIM=... -DPLUGIN=... -DSCRIPT=flight.script -DDATA=... -DVALIDATOR=... -DCHECK=...
#         -DNODE=... -DBLENDER=... -P RoundTrip.cmake
# 1. corvane-sim flies flight.script, which records the flight (target lock and soft follow
#    for part of it) to glTF and to .chan, while the host writes its own camera track.
# 2. corvane-sim sample exports the saved path's flight (Chaikin and constant speed) to
#    .gltf, .glb and .chan, and plays it into a second track.
# 3. The glTF validator must report no error on the three glTF files.
# 4. Blender imports the .gltf and .chan files and must show the camera of the tracks at
#    every frame (tests/export/blender_check.py).
file(REMOVE_RECURSE "${DATA}")
file(MAKE_DIRECTORY "${DATA}")

function(run_step name)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  message("--- ${name}\n${out}${err}")
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${name} ended with ${status}")
  endif()
  set(step_output "${out}${err}" PARENT_SCOPE)
endfunction()

foreach(tool NODE BLENDER)
  if(NOT EXISTS "${${tool}}")
    message(FATAL_ERROR "${tool} not found: scripts/setup.sh installs it")
  endif()
endforeach()
get_filename_component(check_folder "${VALIDATOR}" DIRECTORY)
if(NOT EXISTS "${check_folder}/node_modules/gltf-validator")
  message(FATAL_ERROR "gltf-validator is not installed in ${check_folder}: run scripts/setup.sh")
endif()

run_step("flight" "${SIM}" run "${SCRIPT}" --data "${DATA}" --plugin "${PLUGIN}"
         --track "${DATA}/flight.csv")
string(REGEX MATCHALL "Recorded 121 frames to [^\n]*flight\\.(gltf|chan)" recorded "${step_output}")
list(LENGTH recorded recorded_count)
if(NOT recorded_count EQUAL 2)
  message(FATAL_ERROR "the flight was not recorded to both files")
endif()

set(path "${DATA}/campaths/flight.json")
set(modes --chaikin 1 --speed-norm --plugin "${PLUGIN}")
run_step("export .gltf" "${SIM}" sample "${path}" ${modes} --export "${DATA}/path.gltf"
         --csv "${DATA}/path.csv")
run_step("export .glb" "${SIM}" sample "${path}" ${modes} --export "${DATA}/path.glb")
run_step("export .chan" "${SIM}" sample "${path}" ${modes} --export "${DATA}/path.chan")

run_step("glTF validator" "${NODE}" "${VALIDATOR}" "${DATA}/campaths/flight.gltf"
         "${DATA}/path.gltf" "${DATA}/path.glb")
run_step("Blender" "${BLENDER}" -b --factory-startup --python "${CHECK}" --
         "${DATA}/campaths/flight.gltf" "${DATA}/flight.csv"
         "${DATA}/campaths/flight.chan" "${DATA}/flight.csv"
         "${DATA}/path.gltf" "${DATA}/path.csv"
         "${DATA}/path.chan" "${DATA}/path.csv")

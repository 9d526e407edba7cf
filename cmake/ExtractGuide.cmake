# Writes the user guide's Markdown from the README: the sections from "Editing a jersey, step by step" up
# to the next section after "How colours work in a jersey", with the screenshots' paths pointing into the
# guide's own images folder. Run with cmake -DREADME=... -DOUT=... -P ExtractGuide.cmake.
cmake_minimum_required(VERSION 3.25)

file(READ "${README}" readme)
set(first "## Editing a jersey, step by step")
set(last "## How colours work in a jersey")
string(FIND "${readme}" "${first}" begin)
string(FIND "${readme}" "${last}" colours)
if(begin EQUAL -1 OR colours EQUAL -1 OR colours LESS begin)
  message(FATAL_ERROR "${README} lacks the sections \"${first}\" and \"${last}\" the user guide is made from")
endif()
string(SUBSTRING "${readme}" ${colours} -1 rest)
string(LENGTH "${last}" skip)
string(SUBSTRING "${rest}" ${skip} -1 rest)
string(FIND "${rest}" "\n## " next)
if(next EQUAL -1)
  string(LENGTH "${rest}" next)
endif()
math(EXPR length "${colours} - ${begin} + ${skip} + ${next}")
string(SUBSTRING "${readme}" ${begin} ${length} guide)
string(REPLACE "](docs/" "](images/" guide "${guide}")
file(WRITE "${OUT}" "${guide}\n")

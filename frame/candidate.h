#pragma once
// The candidate of this run: the name comes from the settings at start-up, the rest from the
// exam's sign-in. The start-up and the sign-in fill it in; the sign-in and the question bar
// show it, reading it through candidate().
#include <string>

namespace xpexam::frame {

class Candidate {
 public:
  const std::string& name() const { return name_; }  // settings entry 8
  const std::string& seatNo() const { return seatNo_; }
  const std::string& sittingNo() const { return sittingNo_; }
  const std::string& archiveNo() const { return archiveNo_; }
  const std::string& idCardNo() const { return idCardNo_; }

  void SetName(std::string name) { name_ = std::move(name); }
  void SetSeatNo(std::string number) { seatNo_ = std::move(number); }
  void SetSittingNo(std::string number) { sittingNo_ = std::move(number); }
  void SetArchiveNo(std::string number) { archiveNo_ = std::move(number); }
  void SetIdCardNo(std::string number) { idCardNo_ = std::move(number); }
  // Everything back to its start value.
  void Reset() { *this = Candidate(); }

 private:
  std::string name_;
  std::string seatNo_;
  std::string sittingNo_;
  std::string archiveNo_;
  std::string idCardNo_;
};

const Candidate& candidate();
Candidate& editCandidate();

}  // namespace xpexam::frame

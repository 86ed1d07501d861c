#include <gtest/gtest.h>

#include <stdexcept>

#include "engine/qso_record.h"

namespace {

CInfo Record(const char* call) {
  CInfo info;
  info.m_strCall = call;
  return info;
}

TEST(QsoLog, NewRecordIsEmptyWithZeroValidTime) {
  const CInfo info;
  EXPECT_EQ(info.m_strCall, "");
  EXPECT_EQ(info.m_nFreqKHz + info.m_bNotCounted + info.m_bBad + info.m_bDupe, 0);
  EXPECT_EQ(info.m_time.m_dt, 0.0);
  EXPECT_EQ(info.m_time.m_status, COleDateTime::valid);
}

TEST(QsoLog, RemoveAtKeepsOrderOfLaterRecords) {
  CInfoArray log;
  log.Add(Record("A1"));
  log.Add(Record("B2"));
  log.Add(Record("C3"));
  log.RemoveAt(0);
  ASSERT_EQ(log.GetSize(), 2);
  EXPECT_EQ(log[0].m_strCall, "B2");
  EXPECT_EQ(log[1].m_strCall, "C3");
}

TEST(QsoLog, IndexOutsideTheLogThrowsInvalidArgument) {
  CInfoArray log;
  EXPECT_THROW(log.GetAt(0), std::invalid_argument);
  log.Add(Record("A1"));
  EXPECT_THROW(log.GetAt(1), std::invalid_argument);
  EXPECT_THROW(log.ElementAt(-1), std::invalid_argument);
  EXPECT_THROW(log.RemoveAt(1), std::invalid_argument);
  EXPECT_EQ(log.GetAt(0).m_strCall, "A1");
}

TEST(QsoLog, SetSizeShrinksAndEmpties) {
  CInfoArray log;
  for (const char* call : {"A1", "B2", "C3"}) log.Add(Record(call));
  log.SetSize(1);
  ASSERT_EQ(log.GetSize(), 1);
  EXPECT_EQ(log[0].m_strCall, "A1");
  log.SetSize(0);
  EXPECT_EQ(log.GetSize(), 0);
}

TEST(QsoLog, TimeEquality) {
  const COleDateTime valid{42749.5, COleDateTime::valid};
  const COleDateTime same{42749.5, COleDateTime::valid};
  const COleDateTime other{42749.25, COleDateTime::valid};
  const COleDateTime null1{1.0, COleDateTime::null};
  const COleDateTime null2{2.0, COleDateTime::null};
  const COleDateTime invalid{42749.5, COleDateTime::invalid};
  const COleDateTime odd{42749.5, 7};
  EXPECT_TRUE(SameTime(valid, same));
  EXPECT_FALSE(SameTime(valid, other));
  EXPECT_TRUE(SameTime(null1, null2));
  EXPECT_FALSE(SameTime(invalid, invalid));
  EXPECT_FALSE(SameTime(odd, odd));
  EXPECT_FALSE(SameTime(valid, null1));
  EXPECT_FALSE(SameTime(invalid, valid));
}

}  // namespace
